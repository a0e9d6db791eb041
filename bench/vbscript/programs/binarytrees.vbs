' Binary trees: allocate and walk many short-lived trees of objects.
Class TreeNode
  Public Left, Right
End Class

Function BottomUpTree(depth)
  Dim node
  Set node = New TreeNode
  If depth > 0 Then
    Set node.Left = BottomUpTree(depth - 1)
    Set node.Right = BottomUpTree(depth - 1)
  Else
    Set node.Left = Nothing
    Set node.Right = Nothing
  End If
  Set BottomUpTree = node
End Function

Function ItemCheck(tree)
  If tree.Left Is Nothing Then
    ItemCheck = 1
  Else
    ItemCheck = 1 + ItemCheck(tree.Left) + ItemCheck(tree.Right)
  End If
End Function

Dim minDepth, maxDepth, stretchDepth, longLived, depth, iterations, check, i
minDepth = 4
maxDepth = 14
stretchDepth = maxDepth + 1
WScript.Echo "stretch tree of depth " & stretchDepth & " check: " & ItemCheck(BottomUpTree(stretchDepth))
Set longLived = BottomUpTree(maxDepth)
For depth = minDepth To maxDepth Step 2
  iterations = 2 ^ (maxDepth - depth + minDepth)
  check = 0
  For i = 1 To iterations
    check = check + ItemCheck(BottomUpTree(depth))
  Next
  WScript.Echo iterations & " trees of depth " & depth & " check: " & check
Next
WScript.Echo "long lived tree of depth " & maxDepth & " check: " & ItemCheck(longLived)
